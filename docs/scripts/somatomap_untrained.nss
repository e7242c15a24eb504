# Experiment 2: a whole-hand run with the defaults straight after the start. Map Active is
# switched off for the run and the activation map is still empty, so every learning step has
# strength 0 and the weights do not move. The clock is frozen before the window loads, so the
# map starts from the same random weights as in somatomap.nss.
clock 3600
click commLrnHand
show txtTrialNum text
show txtCurrentRad text
show txtError text
show chkMapOn value
