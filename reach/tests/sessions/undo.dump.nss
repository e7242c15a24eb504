var ncells
var prefDir
var cellResp
var targResp
var tuningWidth
var targetx
var targety
var distractorx
var distractory
var handx
var handy
var txdist
var tydist
var targdist
var targdir
var dxdist
var dydist
var tractordist
var distdir
var attnBoost
var inhibLevel
var step
var moving_things
show target left
show target top
show txtHandx text
pixel picture1 15 20
pixel picture1 0 1
save SESSION
