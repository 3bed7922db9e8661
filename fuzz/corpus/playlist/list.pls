[playlist]
File1=C:\a.mp3
file2=C:\b.mp3
Title1=A
File3=  x.mp3
File4=a=b.mp3
File5
  File6=c.mp3  
File7=
File8=http://stream.example.org/x.ogg
NumberOfEntries=8
Version=2
