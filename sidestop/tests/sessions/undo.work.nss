# Sidestop part way: noise (the generator's state matters), other levels, the graph open.
clock 700
click comPardef
click chkUpdate
set VScroll1(3) 60
set hsbNoise 10
click commRun
set VScroll1(4) 80
