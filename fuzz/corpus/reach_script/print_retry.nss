# A page that cannot be sent is kept with a clear message; the next Print sends it with its
# frame, legend and settings once, not twice.
set chkPrinting 1
click commReach
printto /nonexistent-folder/page.pdf
click commPrint
printto retried_page.pdf
click commPrint
