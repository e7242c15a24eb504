# The windows for the guide and experiments 1 and 2: the default input and the default
# parameters, run first under the Standard rule and then under the alternative rule. Ticking
# "Update bar graph online" first opens the graph window, so the input bars are drawn as the
# default input is set.
click chkUpdate
click commExtipdef
click comPardef
click commRun
var actHistory
grab Form1 sidestop.png
grab frmAgraph sidestop_graph.png
click optQ94
click commRun
var actHistory
grab frmAgraph sidestop_alternative.png
# The same window at 250 %, as on a projector (View > Zoom In).
zoom 250
grab Form1 sidestop_250.png
zoom 100
