var act
var actHistory
var negwt
var niter
