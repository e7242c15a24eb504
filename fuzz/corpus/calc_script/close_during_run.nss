# Closing the window during a run ends the run at its next yield; the program ends cleanly.
click optSig
at-yield 2 close Form1
click commLearn
