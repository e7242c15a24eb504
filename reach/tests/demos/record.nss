# Records docs/demos/reach.reach-demo (run from the source folder): then prints the state the
# replay must end in (check.nss).
clock 36000
record docs/demos/reach.reach-demo
say The hand starts at the bottom; the target is up and to the right.
wait 3
click commReach
wait 4
say A distractor near the target: with the distractor effect on, the hand is pulled aside.
click chkDisteffect
wait 2
click commRestart
wait 1
click commReach
wait 4
ask With suppression of the distractor on, where will the hand go? | Straight to the target | Still pulled aside
wait 2
click chkSidestop
wait 1
click commRestart
wait 1
click commReach
wait 4
say Suppression takes the distractor's pull away: the hand goes to the target.
stop-recording
