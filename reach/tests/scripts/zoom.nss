# At 250 % a placing by the mouse and a reach give the numbers and places they give at 100 %
# (the expected output is what the script prints without its first line).
zoom 250
click optTarget
mouse picture1 down -40 120
mouse picture1 up -40 120
var targetx
var targety
var targdir
show target left
show target top
click commReach
var step
var handx
var handy
var cellResp
show Hand left
show Hand top
pixel picture1 -10 60
zoom 100
var handx
