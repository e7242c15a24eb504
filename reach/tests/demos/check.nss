var handx
var handy
var targetx
var targety
var cellResp
