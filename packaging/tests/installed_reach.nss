# The installed program opens its window and reaches for the target.
show Form1 caption
click commReach
var handx
var handy
