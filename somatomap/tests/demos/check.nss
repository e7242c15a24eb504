var part_touched
var error
show txtTrialNum text
