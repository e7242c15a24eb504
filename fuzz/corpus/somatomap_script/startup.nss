# The window as it opens: every control of the layout with its caption, start value and
# place, the encoded hand regions, and the map's empty start.
show Form1 caption
show Frame2 caption
show Frame1 caption
show Frame4 caption
show Frame3 caption
show Picture1 backcolor
show picSenseMap backcolor
show picOff backcolor
show picHandF1(0) backcolor
show picHandF1(23) backcolor
show picActivityCol(0) backcolor
show picActivityCol(1) backcolor
show picActivityCol(2) backcolor
show picActivityCol(3) backcolor
show optHandPart(0) caption
show optHandPart(0) value
show optHandPart(1) caption
show optHandPart(1) value
show optHandPart(2) caption
show optHandPart(2) value
show optHandPart(3) caption
show optHandPart(3) value
show commCleanHand caption
show chkMapOn caption
show chkMapOn value
show commIncCont caption
show CommFindWinner caption
show optDotProd caption
show optDotProd value
show optRadBas caption
show optRadBas value
show commReset caption
show commLrn caption
show txtPeakrad text
show hsbPeakrad value
show Label1 caption
show commLrnHand caption
show txtLrate text
show Label2 caption
show commAbort caption
show txtNumTrials text
show Label3 caption
show txtTrialNum text
show txtCurrentRad text
show txtError text
show Label4 caption
var IpVectors
var IpSums
var part_touched
var StopLearning
var error
# The grid is drawn once in the start-up colour; the cells stay in the back colour.
pixel picSenseMap 0.5 0.5
pixel picSenseMap 19.5 19.5
