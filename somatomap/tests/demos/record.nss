# Records docs/demos/somatomap.somatomap-demo (run from the source folder): then prints the
# state the replay must end in (check.nss).
clock 36000
record docs/demos/somatomap.somatomap-demo
say Touching one region of the hand excites a patch of the map.
wait 3
click picHandF1(4)
wait 2
click picHandF1(9)
wait 2
ask When the whole hand is learned, will neighbouring fingers map side by side? | Yes | No
wait 2
click chkMapOn
wait 1
click commLrnHand
wait 3
say Learning orders the map: neighbouring regions of the hand take neighbouring cells.
stop-recording
