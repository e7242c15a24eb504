at-yield 2 close Form1
at-yield 2 show Form1.txtIpepoques text
click commLearn
var order
