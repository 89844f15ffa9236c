local a = {}
for i = 0, 199999 do a[i] = i * 3 end
local sum = 0
for i = 0, 199999 do sum = sum + a[i] end
