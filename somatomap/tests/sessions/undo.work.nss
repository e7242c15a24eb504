# Somatomap part way: a short whole-hand run, another learning rate, a region touched.
clock 3600
type txtNumTrials 3
click commLrnHand
type txtLrate 0.2
click picHandF1(5)
