# A map on which no node responds to a region. Learning towards region 0 with a huge rate and
# a neighbourhood over the whole map leaves every node with weight only on region 0's
# components, which region 23 does not share.
clock 3600
click picHandF1(0)
type txtPeakrad 30
type txtLrate 1000
click commLrn
type txtPeakrad 1
type txtLrate 0.2
set chkMapOn 0
click picHandF1(23)
set chkMapOn 1
var error
# Learn Stimulus says so and changes nothing.
click commLrn
var error
# A whole-hand run lights such a region but neither learns nor draws a winner for it.
type txtNumTrials 1
click commLrnHand
show txtTrialNum text
show chkMapOn value
var StopLearning
