local s = ""
local parts = {}
for i = 1, 200000 do
  parts[#parts + 1] = "x"
end
s = table.concat(parts)
