# Reach part way: a narrower tuning, a reach from a preset, the distractor seen.
clock 1000
set hsbCelltune 30
click optTpos(1)
click commReach
click commRestart
click chkSeeDistractor
