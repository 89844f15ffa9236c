a = [0] * 200000
for i in range(200000):
    a[i] = i * 3
total = 0
for i in range(200000):
    total = total + a[i]
