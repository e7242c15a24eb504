# A choice under "Target Pos." moves the target but recomputes and redraws nothing; the next
# event that redraws shows the new responses.
click optExp
pixel cell1 0.1295237 0.5858529
click optTpos(3)
show optTpos(3) value
show target left
show target top
var targetx
var targety
show txtTxpos text
var targdir
pixel cell1 0.1295237 0.5858529
click optExp
var targdir
pixel cell1 0.1295237 0.5858529
# The same for the distractor.
click optDpos(0)
show distractor left
show distractor top
var distractorx
var distractory
show optTpos(3) value
