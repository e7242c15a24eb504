# The installed program opens its window and encodes the hand's regions.
show Form1 caption
var IpSums
