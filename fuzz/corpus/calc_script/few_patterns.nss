# A pattern file of ten patterns (numerals 1 to 9 and 0): the letters have no pattern, so
# their keys are refused and change nothing; learning and the arrows use the ten.
click commShownum(3)
click commShownum(11)
var shownNumeral
var shownPattern
show Picture1(3) backcolor
click commLearn
show commLearn caption
show txtEpoques text
var order
click commShownum(9)
click Image2
var shownNumeral
var shownPattern
var outputs
click Image2
var shownNumeral
click Image1
click Image1
var shownNumeral
var shownPattern
