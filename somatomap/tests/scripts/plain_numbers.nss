# A number box's number followed by an exponent or a decimal comma is refused and nothing
# changes; other text after the number is left out ("4 trials" reads 4).
type txtNumTrials 1e3
click commLrnHand
type txtNumTrials 10
type txtLrate 2E-1
click commLrnHand
type txtLrate 0,2
click commLrn
type txtLrate 0.2
type txtPeakrad 3e0
click CommFindWinner
show txtTrialNum text
type txtPeakrad 3
type txtNumTrials 4 trials
click commLrnHand
show txtTrialNum text
