# Closing the window while a run yields ends the run at that yield; the program runs no more
# lines: the line after the close is an error, and the exit status says so.
clock 3600
at-yield 2 show txtTrialNum text
at-yield 3 close Form1
click commLrnHand
show txtTrialNum text
