# The window as it opens: captions, start texts and ticks, the state at load, the empty grid.
show Form1 caption
show Frame1 caption
show Label2 caption
show txtIpepoques text
show chkGoSlow value
show chkShowWts value
show chkRandom value
show Label5 caption
show txtLrate text
show commLearn caption
show txtEpoques text
show txtError text
show frmArule caption
show optThresh value
show optSig value
show frame3 caption
show CommandHalt caption
show CommandRestart caption
show Check1 caption
show Check1 value
show Check1 visible
show Label4 caption
show Frame2 caption
show Label7 caption
show commShownum(0) caption
show commShownum(11) caption
show commShownum(15) caption
show Label1(10) caption
show Label1(12) caption
show Label6 caption
show commProcessIp caption
show Command1 caption
show Label3 caption
show Form1 backcolor
show Picture1(0) backcolor
show picOpnode(15) backcolor
var nPatterns
var nInputs
var nOutputs
var running
var displayLearning
var learnSlowly
var shownNumeral
var shownPattern
var weights
var outputs
var order
# Grid lines and a row label in black on white; the header band is empty.
pixel picWts 3 7
pixel picWts 3.5 7
pixel picWts 0 7.5
pixel picWts 5.5 -0.2
menu menAbout
