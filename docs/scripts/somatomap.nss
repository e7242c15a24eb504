# The windows for the guide and experiments 1 and 3. The clock is frozen before the window
# loads, so the map starts from the same random weights every time.
clock 3600
# Before learning: the four hand parts chosen in turn paint their responses in four colours.
click optHandPart(0)
click optHandPart(1)
click optHandPart(2)
click optHandPart(3)
grab Form1 somatomap_before.png
# A whole-hand run with Map Active ticked again as soon as it starts, 20 trials from radius 5;
# the Error box is read at the start of trials 2 to 20 (it shows the trial before).
type txtNumTrials 20
type txtPeakrad 5
at-yield 1 click chkMapOn
at-yield 2 show txtError text
at-yield 5 show txtError text
at-yield 10 show txtError text
at-yield 15 show txtError text
at-yield 20 show txtError text
click commLrnHand
show txtCurrentRad text
show txtError text
# After learning: the four hand parts again, now in four separate territories.
type txtPeakrad 3
click commCleanHand
click optHandPart(0)
click optHandPart(1)
click optHandPart(2)
click optHandPart(3)
grab Form1 somatomap.png
# The same window at 250 %, as on a projector (View > Zoom In).
zoom 250
grab Form1 somatomap_250.png
zoom 100
