# Calc part way: the sigmoid rule, random order (the generator's state matters), a few
# epochs learned, a numeral shown.
clock 500
click optSig
click chkRandom
type txtIpepoques 4
type txtLrate 0.3
click commLearn
click commShownum(7)
type txtIpepoques 3
