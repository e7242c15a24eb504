record demo.nsd
click optTarget
mouse picture1 down 30 40
mouse picture1 move 35 45
mouse picture1 up 35 45
say The target is placed.
ask Where will the hand go? | Left | Right
wait 2
at-yield 2 click commReach
click commReach
stop-recording
answer 2
at-yield 2 click cmdDemoPlay
at-yield 3 click cmdDemoNext
at-yield 5 click cmdDemoPlay
at-yield 7 click cmdDemoStop
play demo.nsd
