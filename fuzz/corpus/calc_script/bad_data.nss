# Never reached: a malformed pattern file in the current folder ends the program at start.
show Form1 caption
