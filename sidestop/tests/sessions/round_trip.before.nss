# Sidestop part way: noise (the generator's state matters), other input levels and weights,
# the graph open, one run; then save.
clock 700
click comPardef
click chkUpdate
set VScroll1(3) 60
set VScroll1(4) 80
set hsbNoise 10
set hsbPoswt 30
click commRun
save SESSION
