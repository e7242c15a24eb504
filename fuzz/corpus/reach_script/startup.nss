# The window as it opens: position texts, start states of every switch and slider, the
# mapped model values, colours, and the cell display still empty.
show Form1 caption
show Form1 backcolor
show Label3 caption
show Label7 caption
show txtTxpos text
show txtTypos text
show txtDxpos text
show txtDypos text
show txtHandx text
show txtHandy text
show commReach enabled
show target left
show target top
show distractor left
show distractor top
show Hand left
show Hand top
show optTarget value
show optDistractor value
show optExp value
show optGauss value
show optPrintHand value
show optPrintCell value
show opInk(5) value
show opInk(5) caption
show opInk(3) caption
show optTpos(3) caption
show optTpos(0) value
show optDpos(0) value
show chkColCode value
show chkOnLinePath value
show chkBarChart value
show chkSeeDistractor value
show chkSuppDist value
show chkDisteffect value
show chkSidestop value
show chkWithWithout value
show chkPrinting value
show hsbSpeed value
show hsbCelltune value
show hsbAttended value
show hsbSuppLevel value
var ncells
var tuningWidth
var attnBoost
var inhibLevel
var handx
var handy
var targetx
var targety
var distractorx
var distractory
var targdist
var targdir
var moving_things
show picture1 backcolor
show picture1 forecolor
show cell1 backcolor
show target backcolor
show distractor backcolor
show Hand backcolor
show picInk(3) backcolor
show picInk(4) backcolor
show picInk(5) backcolor
show picInk(6) backcolor
show chkColCode backcolor
show chkColCode forecolor
# The baseline, in the path colour of the selected swatch.
pixel picture1 50 0
pixel picture1 -99 0
# Halfway along where the strongest spoke would be drawn.
pixel cell1 0.1295237 0.5858529
