# Records docs/demos/sidestop.sidestop-demo (run from the source folder): then prints the
# state the replay must end in (check.nss).
clock 36000
record docs/demos/sidestop.sidestop-demo
say Ten units inhibit their neighbours; the four in the middle get an input.
wait 3
set VScroll1(3) 50
set VScroll1(4) 50
set VScroll1(5) 50
set VScroll1(6) 50
wait 2
type txtIter 20
key txtIter 13
wait 1
click commRun
wait 4
ask With stronger inhibition, will the edges of the input stand out more or less? | More | Less
wait 2
set hsbNegwt 200
wait 2
click commRun
wait 4
say Stronger lateral inhibition sharpens the edges of the input pattern.
wait 2
type txtIter 30
key txtIter 13
wait 1
click commRun
stop-recording
