# A segment box toggles lit, pale, lit; a numeral first clears the figure; the keypad shows
# a numeral without testing it; the arrows wrap round; a test uses the stored pattern.
click Picture1(3)
show Picture1(3) backcolor
click Picture1(3)
show Picture1(3) backcolor
click Picture1(3)
show Picture1(3) backcolor
var shownPattern
# Testing before a numeral is chosen asks for one and changes nothing.
click commProcessIp
var outputs
var nActiveInputs
click commShownum(1)
show Picture1(0) backcolor
show Picture1(2) backcolor
show Picture1(3) backcolor
show Picture1(5) backcolor
click commShownum(0)
var shownNumeral
var shownPattern
show Picture1(3) backcolor
click commShownum(10)
var shownNumeral
var shownPattern
var outputs
click commShownum(0)
click Image1
var shownNumeral
var shownPattern
show Picture1(2) backcolor
show Picture1(3) backcolor
click Image2
var shownNumeral
var shownPattern
# Hand-toggled boxes do not change what is tested: 1 (segments 3 and 6) is tested.
click commLearn
click commShownum(1)
click Picture1(0)
click Picture1(3)
click Picture1(2)
click commProcessIp
var nActiveInputs
var outputs
show picOpnode(1) backcolor
show Picture1(0) backcolor
show Picture1(2) backcolor
