# "Kill Print" discards the page, stored paths and any legend on it: the next page holds only
# what is printed after it.
set chkPrinting 1
click commReach
printto /nonexistent-folder/killed.pdf
click commPrint
click ckKill
click optPrintCell
printto cells_only.pdf
click commPrint
