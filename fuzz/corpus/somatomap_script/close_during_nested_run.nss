# Closing the window inside a second run started within the first ends both; the line after
# it is not run (an error).
clock 3600
at-yield 2 click commLrnHand
at-yield 4 close Form1
click commLrnHand
show txtTrialNum text
