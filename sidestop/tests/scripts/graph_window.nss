# Opening the graph window right after start: the time axis runs to 20 because the count was
# 0, while the iteration box still shows 0; ten flat bars lie on the axis in the area's own
# colour, nothing stands above them.
click chkUpdate
var graphOff
show chkUpdate value
var niter
show txtIter text
show frmAgraph caption
show frmAgraph backcolor
show Label1 caption
show Label1 backcolor
show frmAgraph.Label2 caption
show frmAgraph.Label2 backcolor
show frmAgraph.Label3 caption
show picBargraph backcolor
pixel picBargraph 3 0
pixel picBargraph 3 0.5
pixel picGraph 20 0
pixel picGraph 10 0.5
# Unit 3 from 0.40 down to 0.20 and back up with the online update on: the shrinking move
# erases the old bar with the back colour, the growing one draws over it, in palette entry 12.
set VScroll1(2) 40
pixel picBargraph 3 0.3
set VScroll1(2) 20
pixel picBargraph 3 0.3
pixel picBargraph 3 0.1
set VScroll1(2) 40
pixel picBargraph 3 0.3
show text1(2) text
# After every move the bar graph has its own colours back: reopening draws the bars in them.
click chkUpdate
var graphOff
show chkUpdate value
click chkUpdate
pixel picBargraph 3 0.3
pixel picBargraph 3 0.45
# A run of 20 iterations with the input removed after 16: the marker at 16 in the area's
# fore colour, ten curves three pixels wide from the origin.
click comPardef
click commExtipdef
click commRun
var niter
pixel picGraph 16 0.5
pixel picGraph 0.5 0.45
pixel picGraph 12 1
# The next run's marker takes the colour the last curve left (palette entry 5).
click commRun
pixel picGraph 16 0.5
# A run with the window closed draws nothing: reopening shows empty time axes.
click chkUpdate
var graphOff
click commRun
click chkUpdate
pixel picGraph 16 0.5
pixel picGraph 12 1
pixel picGraph 20 0
# The window's own close box unticks the check box; the next click on the box opens the
# window again and ticks it.
close frmAgraph
var graphOff
show chkUpdate value
show frmAgraph visible
click chkUpdate
var graphOff
show chkUpdate value
show frmAgraph visible
