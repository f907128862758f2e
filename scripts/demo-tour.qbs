# A short tour of Quillbook for headless demo runs on the demo device: the contact list, a
# scroll, the index strip from the left and the right edge, a typed letter that jumps, a
# rotation and back, with a screenshot at each step (written under the --shots folder).
wait 500
shot 01-contacts.png
drag 120 260 120 60 300
wait 1000
shot 02-scrolled.png
down 5 150
wait 100
shot 03-index-bubble.png
up 5 150
wait 600
shot 04-jumped.png
tap 235 40
wait 600
shot 05-right-edge.png
wait 4500
char m
wait 600
shot 06-typed-m.png
rotate
wait 500
shot 07-landscape.png
rotate
wait 500
shot 08-portrait.png
dump state.json
quit
