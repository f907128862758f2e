# A short tour of Quillbook for headless demo runs: the start screen, a scroll, a rotation
# and back, with a screenshot at each step (written under the --shots folder).
wait 500
shot 01-start.png
drag 120 280 120 60 300
wait 500
shot 02-scrolled.png
tap 120 120
wait 500
shot 03-tapped.png
rotate
wait 500
shot 04-landscape.png
rotate
wait 500
shot 05-portrait.png
dump state.json
quit
