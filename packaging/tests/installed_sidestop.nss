# The installed program opens its window and runs the network on the default input.
show Form1 caption
click commExtipdef
type txtIter 20
click commRun
var act
