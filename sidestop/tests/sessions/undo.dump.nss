var act
var extip
var extipDef
var poswt
var negwt
var noiseSD
var niter
var extipOff
var actHistory
var graphOff
show frmAgraph visible
pixel picGraph 5 0.205
save SESSION
