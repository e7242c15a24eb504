# Closing the window while a run yields ends the run at that yield; the program exits with
# status 0 and runs no more lines.
clock 3600
at-yield 2 show txtTrialNum text
at-yield 3 close Form1
click commLrnHand
show txtTrialNum text
