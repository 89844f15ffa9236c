local sum = 0
for i = 1, 1000000 do
  sum = sum + i * 2 - 1
end
