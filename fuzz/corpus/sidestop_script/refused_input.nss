# Inputs that cannot be used: each gives a message that says what to type, and the layer,
# the history, the graph and every text stay as they were.
click comPardef
click commExtipdef
click chkUpdate
click commRun
var act
pixel picGraph 16 0.5
# RUN with an iteration count that is no number, below 1 or beyond 16 bits.
type txtIter twenty
click commRun
type txtIter 0
click commRun
# The iteration scroll bar reaches 0 (and sets the count to 0).
set hsbNiterations 0
show txtIter text
click commRun
type txtIter 40000
click commRun
var niter
var act
# RUN with a weight that is no number, or a number too large to compute with.
type txtIter 20
type txtPoswt 0.1x
click commRun
type txtPoswt 0.1
type txtNegwt 1E+308
click commRun
var poswt
var negwt
# A weight of 400 digits is refused on Enter and by RUN: no activation becomes NaN.
type txtNegwt 0.5
type txtPoswt 9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999
key txtPoswt 13
var poswt
click commRun
type txtPoswt 0.1
type txtNegwt 9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999999
key txtNegwt 13
var negwt
click commRun
var act
show txtPoswt text
show text1(5) text
pixel picGraph 16 0.5
# Enter in the iteration and offset boxes with a count beyond 16 bits.
type txtIter 32768
key txtIter 13
var niter
type txtExtipoff -40000
key txtExtipoff 13
var extipOff
# A unit text that is no number while its level bar moves with the online update on: its
# whole column is erased and the new bar drawn.
type txtNegwt 0.5
type text1(5) high
set VScroll1(5) 30
pixel picBargraph 6 0.8
pixel picBargraph 6 0.2
show text1(5) text
# Opening the window with a negative count draws the time axis for 20, as for 0.
click chkUpdate
type txtIter -5
key txtIter 13
var niter
click chkUpdate
var niter
pixel picGraph 20 0
