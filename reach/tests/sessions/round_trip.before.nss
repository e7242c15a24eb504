# Reach part way: a narrower tuning, the target on a preset, a reach in another colour, a
# second reach after a restart with the distractor seen, the ink chosen anew; then save.
clock 1000
set hsbCelltune 30
set hsbSpeed 12
click optTpos(1)
click opInk(6)
click commReach
click commRestart
click chkSeeDistractor
click optDpos(2)
click commReach
click picInk(3)
save SESSION
