# Three actions: the target chosen, dragged to a new place (one gesture), then a reach.
click optTarget
mouse picture1 down 20 30
mouse picture1 move 25 32
mouse picture1 move 30 35
mouse picture1 up 30 35
click commReach
