# A stored reach printed as the hand display: frame, marks, legend and the settings block.
set chkPrinting 1
click commReach
printto hand_page.pdf
click commPrint
# The cell display as bars, with the other settings named in the block.
click commRestart
set chkBarChart 1
click optGauss
set chkDisteffect 1
set chkSuppDist 1
set chkSidestop 1
set hsbAttended 50
set hsbCelltune 48
click optPrintCell
printto cell_page.pdf
click commPrint
