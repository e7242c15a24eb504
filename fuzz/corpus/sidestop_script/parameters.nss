# Scroll bars write their scaled value into the text box first and the variable second.
set hsbPoswt 37
show txtPoswt text
var poswt
set hsbNoise 1
show txtNoise text
var noiseSD
set hsbNegwt 200
show txtNegwt text
var negwt
set hsbNiterations 0
show txtIter text
var niter
set hsbExtipoff 7
show txtExtipoff text
var extipOff
# A level bar at its top end gives 1; an arrow step is 0.02 and a track step 0.1.
set VScroll1(0) 100
show text1(0) text
var extip
set VScroll1(1) 2
show text1(1) text
set VScroll1(1) 12
show text1(1) text
# Enter commits a typed count, rounded to the nearest whole number (a half to the even one);
# the scroll bar stays where it was.
type txtIter 30
key txtIter 13
var niter
show hsbNiterations value
type txtIter 12.5
key txtIter 13
var niter
type txtIter 13.5
key txtIter 13
var niter
type txtExtipoff 2.5
var extipOff
key txtExtipoff 13
var extipOff
# Other keys only edit; typed weights take effect with Enter, typed noise never.
type txtPoswt 0.25
key txtPoswt 65
var poswt
key txtPoswt 13
var poswt
type txtNegwt 1.5abc
key txtNegwt 13
var negwt
type txtNoise 0.1
key txtNoise 13
var noiseSD
# The default parameters, then the default input with the level bars it moves.
click comPardef
var niter
var extipOff
var poswt
var negwt
var noiseSD
show txtIter text
show txtExtipoff text
show txtPoswt text
show txtNegwt text
show txtNoise text
show hsbNiterations value
show hsbExtipoff value
show hsbPoswt value
show hsbNegwt value
show hsbNoise value
show optRegLI value
show chkRamp value
click commExtipdef
var extipDef
var extip
show text1(0) text
show text1(1) text
show text1(2) text
show text1(3) text
show text1(4) text
show text1(5) text
show text1(6) text
show text1(7) text
show text1(8) text
show text1(9) text
show VScroll1(0) value
show VScroll1(1) value
show VScroll1(2) value
show VScroll1(3) value
show VScroll1(4) value
show VScroll1(5) value
show VScroll1(6) value
show VScroll1(7) value
show VScroll1(8) value
show VScroll1(9) value
# A weight typed without Enter is what the next run uses: RUN stores the texts themselves.
type txtPoswt 0.3
var poswt
click commRun
var poswt
var negwt
