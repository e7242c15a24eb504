# Path colours: an option or a swatch chooses the colour of later drawing; "Delete Path"
# clears the paths and redraws the baseline in the current path colour.
click opInk(6)
show picture1 forecolor
click commReach
pixel picture1 14.5272 64.3813
click picInk(3)
show opInk(3) value
show opInk(6) value
show picture1 forecolor
pixel picture1 14.5272 64.3813
click commDelPath
pixel picture1 14.5272 64.3813
pixel picture1 50 0
pixel picture1 -99 0
click picInk(4)
click commDelPath
pixel picture1 50 0
