s = ""
for i in range(200000):
    s = s + "x"
