# Experiment 2: the learning curve window opened from the View menu, the run of experiment 1,
# then the same run under the sigmoid rule with the Sum Error box read after every epoch; the
# window shows the sigmoid run over the threshold run in grey. Then a longer run of 200
# epochs.
menu menLearningCurve
click commLearn
click optSig
at-yield 1 show txtError text
at-yield 2 show txtError text
at-yield 3 show txtError text
at-yield 4 show txtError text
at-yield 5 show txtError text
at-yield 6 show txtError text
at-yield 7 show txtError text
at-yield 8 show txtError text
at-yield 9 show txtError text
at-yield 10 show txtError text
at-yield 11 show txtError text
at-yield 12 show txtError text
at-yield 13 show txtError text
at-yield 14 show txtError text
at-yield 15 show txtError text
at-yield 16 show txtError text
at-yield 17 show txtError text
at-yield 18 show txtError text
at-yield 19 show txtError text
at-yield 20 show txtError text
click commLearn
show commLearn caption
show txtEpoques text
show txtError text
grab frmLearningCurve calc_curve.png
click commShownum(8)
click commProcessIp
var outputs
type txtIpepoques 200
click commLearn
show txtEpoques text
show txtError text
# Numeral 1 now lights its own box, and weakly those of 0 and A; 8 still lights none.
click commShownum(1)
click commProcessIp
var outputs
show picOpnode(0) backcolor
show picOpnode(1) backcolor
show picOpnode(7) backcolor
show picOpnode(10) backcolor
grab Form1 calc_sigmoid.png
click commShownum(8)
click commProcessIp
var outputs
