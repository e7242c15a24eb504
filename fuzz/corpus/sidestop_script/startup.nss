# The main window as it opens: captions, start texts and values, and the state at load.
show Form1 caption
show Form1 backcolor
show Frame1 caption
show Frame2 caption
show Frame3 caption
show Frame4 caption
show Label16 caption
show Label3(0) caption
show Label3(9) caption
show text1(0) text
show text1(9) text
show VScroll1(0) value
show VScroll1(4) left
show VScroll1(4) top
show VScroll1(5) left
show VScroll1(5) top
show chkUpdate caption
show chkUpdate value
show commExtipdef caption
show Label13 caption
show Label12 caption
show Label18 caption
show txtNegwt text
show txtPoswt text
show txtNoise text
show hsbNegwt value
show Label9 caption
show Label8 caption
show Label19 caption
show Form1.Label2 caption
show comPardef caption
show comPardef backcolor
show Label11 caption
show txtIter text
show Label7(0) caption
show Label17 caption
show txtExtipoff text
show Label7(1) caption
show optRegLI caption
show optRegLI value
show optQ94 caption
show optQ94 value
show chkRamp caption
show chkRamp value
show commRun caption
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
