# A weight of -0.275 is a blue square of half the cell's side centred in its cell; See Wts
# redraws the diagram also when Show Weights is off.
type txtIpepoques 1
type txtLrate -0.275
click commLearn
var weights
# Numeral 1 lights segments 3 and 6: its row is 1, its squares in columns 3 and 6.
pixel picWts 2.5 1.5
pixel picWts 2.3 1.5
pixel picWts 2.7 1.3
pixel picWts 2.15 1.5
pixel picWts 2.5 1.15
pixel picWts 1.5 1.5
pixel picWts 5.5 1.5
# Show Weights off: a run leaves the diagram as it was until See Wts.
click chkShowWts
type txtIpepoques 20
type txtLrate 0.05
click commLearn
show commLearn caption
pixel picWts 2.5 1.5
click Command1
pixel picWts 2.5 1.5
pixel picWts 2.2 1.5
var weights
