record demo.nsd
click chkRandom
at-yield 3 click CommandHalt
click commLearn
say Learning stopped.
stop-recording
at-yield 4 click cmdDemoPlay
at-yield 6 click cmdDemoNext
at-yield 9 click cmdDemoPlay
play demo.nsd
