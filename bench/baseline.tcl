# The same bare window as Baseline.cpp, written for Tk and run by wish: the
# light toolkit a user might pick instead.
wm title . "Baseline"
wm geometry . 461x345
wm resizable . 0 0
label .line -text "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ абвгдежзийклмнопрстуфхцчшщъьюя" -font {{Times New Roman} 12}
pack .line -expand yes
