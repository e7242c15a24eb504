# The sample straight after start-up with hand region 3 touched.
var part_touched
show picHandF1(3) backcolor
var palmXval
