demonstration somatomap 1
clock 10
session
{}
end session
wait 1
say A caption.
ask Which? | A | B
click nothing
end demonstration
