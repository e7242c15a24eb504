# Going on: the graph window as it was, then another noisy run.
# The clock is frozen again (a fresh process starts with a live one).
clock 5000
show chkUpdate value
show frmAgraph visible
pixel picGraph 5 0.205
show txtNoise text
show VScroll1(4) value
var actHistory
click commRun
var act
var extip
var actHistory
var noiseSD
var niter
var graphOff
