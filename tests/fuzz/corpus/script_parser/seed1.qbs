tap 1 2
drag 0 0 10 10 100
key VK_DOWN
char hi
wait 10
post QuillbookNewSMS
shot a.png
quit
