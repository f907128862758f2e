tap 1  100
key VK_DOWN
char £`pph00000000ÏiÍ
wait 1000000