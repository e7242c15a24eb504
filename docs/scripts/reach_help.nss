# The "Try it" steps of the help page, each in a freshly started reach as a student makes
# them. The cells' preferred directions run from just above 0 to 3.147.
var prefDir
# 1. REACH: the hand stops beside the target, at (22.3, 99.5).
click commReach
show txtHandx text
show txtHandy text
# 2. With the distractor the hand goes up the middle and stops at (1.4, 109.3); suppressed,
# the hand reaches the target again at (22.2, 99.4).
click commRestart
click chkSeeDistractor
click commReach
show txtHandx text
show txtHandy text
click commRestart
click chkSuppDist
click commReach
show txtHandx text
show txtHandy text
# 3. The comparison draws both paths in one reach; the hand ends where the reach with the
# distractor ends.
click chkSuppDist
click chkWithWithout
click commRestart
click commReach
show txtHandx text
show txtHandy text
# The help page for the README, over RESTART's cell display.
click commRestart
menu mnuAboutModel
grab Help help_page.png
