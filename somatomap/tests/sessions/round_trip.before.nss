# Somatomap part way: a region touched, a short whole-hand run, another learning rate;
# then save.
clock 3600
type txtNumTrials 3
click commLrnHand
type txtLrate 0.2
click picHandF1(5)
click commLrn
save SESSION
